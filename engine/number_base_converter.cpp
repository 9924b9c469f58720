#include "number_base_converter.h"
