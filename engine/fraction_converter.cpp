#include "fraction_converter.h"
