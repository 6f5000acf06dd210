#pragma once
// Numbers are written and read with a decimal point in every locale. A GUI
// toolkit sets the C library's locale from the environment when its
// application object is made (a German locale writes "35,8" and reads "72,1"
// as 72); this puts the number format back and is called right after.
namespace quillon {

void use_locale_independent_numbers();

}  // namespace quillon
