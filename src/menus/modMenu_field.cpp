#include "menus/modMenu_field.h"

// Replaced by the field's own definition as soon as the field module is linked in.
__attribute__((weak)) vb::Boolean gblnSkipMapMusic = vb::kFalse;
