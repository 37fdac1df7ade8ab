#pragma once
// CObject: the root of MFC's class tree; only its virtual destructor is used.
class CObject {
public:
    virtual ~CObject() = default;
};
