#include "component/kovelund.h"
