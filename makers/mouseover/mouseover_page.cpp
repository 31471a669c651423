#include "makers/mouseover/mouseover_page.h"
