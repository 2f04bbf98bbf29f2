#include "app/routines.h"
