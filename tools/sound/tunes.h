#pragma once
// The background tune of each shipped set. Each lasts one round: the 30.6 s
// from the end of the count-down to the end of play.

#include "midi.h"

midi::Song defaultTune();
midi::Song moonlightTune();
midi::Song seasideTune();
