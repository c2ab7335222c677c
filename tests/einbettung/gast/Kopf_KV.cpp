#include "component/KV.h"
