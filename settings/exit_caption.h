#pragma once
// The two captions of a settings window's exit button: it reads "E&xit" while
// leaving would save nothing, and "Save && E&xit" once a change will be saved.

namespace velmora {

inline constexpr char kExitCaption[] = "E&xit";
inline constexpr char kSaveExitCaption[] = "Save && E&xit";

}  // namespace velmora
