#include "support/FakePrompts.h"
