#pragma once
// EditView's private messages and notifications. Numbers only, so that both
// the control and its callers (and Windows-free code) can use them.
#include <cstdint>

namespace velmo {

constexpr char kEditViewClassName[] = "velmoedit";
constexpr unsigned kEditViewId = 101;

enum : unsigned {
    EVM_FILEIO = 1024,
    EVM_SETTEXTCOLOR = 1025,
    EVM_SETBKCOLOR = 1026,
    EVM_SETSELCOLOR = 1027,
    EVM_SETTEXTINACTIVECOLOR = 1028,
    EVM_SETBKINACTIVECOLOR = 1029,
    EVM_SETSELINACTIVECOLOR = 1030,
    EVM_SETLINENUMBERSCOLOR = 1031,
    EVM_SETBKLINENUMBERSCOLOR = 1032,
    EVM_SETLINENUMBERSINACTIVECOLOR = 1033,
    EVM_SETBKLINENUMBERSINACTIVECOLOR = 1034,
    EVM_GETCARETINDEX = 1035,
    EVM_SETPADDING = 1036,
    EVM_SHOWLINENUMBERS = 1037,
    EVM_MARKLINE = 1038,
    EVM_SETMARKERSTYLE = 1039,
    EVM_SHOWCONTROLCHARS = 1040,
    EVM_SETTEXTHANDLE = 1041,
    EVM_SETMARGINS = 1042,
    EVM_SELECTALL = 1043,
    EVM_GETOVERWRITE = 1044,
    EVM_GETLINESIZE = 1045,
    EVM_GETCARETLINE = 1046,
    EVM_GETCARETCOLUMN = 1047,
    EVM_SETWORDWRAP = 1049,
    EVM_GETDISPATCHPROC = 1050,
    EVM_SEARCH = 1051,
    EVM_SETCENTERAFTERFIND = 1052,
    EVM_GETSEARCHERROR = 1053,
    EVN_CARETPOS = 1054,
    EVM_LINEFROMCHAR = 1078,
    EVM_REDO = 1108,
    EVM_CANREDO = 1109,
    // Replaces the selection, with undo, by wParam bytes at lParam, which
    // may hold NUL (EM_REPLACESEL stops at the first one). 1 done, 0 not.
    EVM_REPLACEBYTES = 1110,
};

// WM_COMMAND notification codes sent to the parent.
enum : unsigned {
    EVN_UNDOFULL = 0x041F,
    EVN_REDOFULL = 0x0420,
};

}  // namespace velmo
