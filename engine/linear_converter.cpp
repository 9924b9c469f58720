#include "linear_converter.h"
