#pragma once
// A GUI toolkit sets the C library's locale from the environment when its
// application object is made: in a German locale "%4.1f" would write "35,8"
// and "72,1" would read as 72, and the system's error texts would be German
// inside the program's English messages. This puts numbers and messages back
// to the C locale; it is called right after the application object is made.
namespace quillon {

void use_program_locale();

}  // namespace quillon
