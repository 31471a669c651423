#include "makers/slideshow/slideshow_page.h"
