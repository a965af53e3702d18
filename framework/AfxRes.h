// Command ids the framework itself defines.
#pragma once

#define ID_HELP 0xE146
