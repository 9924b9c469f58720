#include "number_reading.h"
