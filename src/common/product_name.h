#pragma once
// The product's name: the main window's class and title, and the caption of
// the program's own message boxes.
namespace velmo {

constexpr char kProductName[] = "Velmo 2";

}  // namespace velmo
