#include "result_formatting.h"
