#pragma once

// When the X server goes away (it was stopped, or the connection broke), nothing can be
// shown or asked any more, and the usual way out would wait on the lost display for
// ever: Xlib's own handler ends the program through its exit handlers, which close the
// window. The program ends at once instead, as after a crash; the journal already on
// the disk brings the work back at the next start.
namespace vLostDisplay {

// After SDL's video started; does nothing unless SDL speaks to an X server.
void EndWithIt(const char* videoDriver);

}  // namespace vLostDisplay
