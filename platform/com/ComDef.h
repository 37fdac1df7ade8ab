#pragma once
// The COM support classes in one include, as a host includes comdef.h.
#include "com/BstrT.h"
#include "com/ComError.h"
#include "com/ComPtr.h"
#include "com/Dispatch.h"
#include "com/VariantT.h"

_COM_SMARTPTR_TYPEDEF(IDispatch, IID_IDispatch);
