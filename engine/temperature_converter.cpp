#include "temperature_converter.h"
