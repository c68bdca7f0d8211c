// Every fake of the platform, for tests.
#pragma once

#include <halvora/platform/fakes/clock.h>
#include <halvora/platform/fakes/recorders.h>
#include <halvora/platform/fakes/regional.h>
#include <halvora/platform/fakes/window_frame.h>
