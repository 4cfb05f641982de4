#pragma once
// The program's title: the main window's caption and the caption of its plain message boxes.

namespace velmora {

inline constexpr char kApplicationTitle[] = "Velmora 32";

}  // namespace velmora
