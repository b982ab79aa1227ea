#pragma once

// The registry path utilities: RegKey2Num, RegPathSplit, GetKeyValue, SetKeyValue.

#include "registry_paths/get_key_value.h"
#include "registry_paths/reg_key_to_num.h"
#include "registry_paths/reg_path_split.h"
#include "registry_paths/set_key_value.h"
