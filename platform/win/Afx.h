#pragma once
// Everything of the Win32/MFC stand-in, as a host or the library includes it.
#include "win/Geometry.h"
#include "win/MenuFlags.h"
#include "win/Object.h"
#include "win/Module.h"
#include "win/ModuleState.h"
#include "win/Resources.h"
#include "win/String.h"
#include "win/StringArray.h"
#include "win/Styles.h"
#include "win/Utf8.h"
#include "win/WinTypes.h"
