#include "editview/control_state.h"

namespace velmo {

EditControl& Control() {
    static EditControl control;
    return control;
}

}  // namespace velmo
