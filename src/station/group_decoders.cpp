#include "station/group_decoders.h"
