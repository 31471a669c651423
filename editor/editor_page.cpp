#include "editor/editor_page.h"
