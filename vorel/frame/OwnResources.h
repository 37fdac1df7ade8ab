#pragma once
// The resources carried by the library file itself: six bitmaps.
#include "win/kernel/ResourceTable.h"

namespace NVorel {

enum OwnBitmapId : UINT {
    IDB_DIAMETER_1 = 482,      // diameter sign with a small 1, area-scale header
    IDB_DIAMETER_2 = 483,      // diameter sign with a small 2
    IDB_CHECK_ON = 484,        // check-box pictures: checked
    IDB_CHECK_OFF = 485,       // unchecked
    IDB_CHECK_ON_GRAY = 486,   // disabled, checked
    IDB_CHECK_OFF_GRAY = 487,  // disabled, unchecked
};

const winres::ResourceTable& ownResources();

} // namespace NVorel
