#include "MomentView.h"

BEGIN_MESSAGE_MAP(MomentView, NVorel::CRwViewMoving)
    ON_WM_MOUSEMOVE()
END_MESSAGE_MAP()
