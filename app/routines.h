#pragma once
// The bit, byte and block routine library. Stands alone: no dependency on the rest.
#include <cstdint>
