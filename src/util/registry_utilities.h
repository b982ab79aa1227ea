#pragma once

// The registry path utilities: RegKey2Num, RegPathSplit, GetKeyValue, SetKeyValue.

#include "util/get_key_value.h"
#include "util/reg_key_to_num.h"
#include "util/reg_path_split.h"
#include "util/set_key_value.h"
