#include "CalcTest.h"
