// Form5 is the shared project file window in its open role (see form2.cpp).
#include "windows/form5.hpp"
