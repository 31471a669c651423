#include "makers/dropdown/dropdown_page.h"
