#include "makers/popup/popup_page.h"
