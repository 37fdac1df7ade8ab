#pragma once
// _com_ptr_t: a smart interface pointer. Made from a pointer of another
// interface it asks QueryInterface and stays null when the object does not
// offer the interface; using a null pointer throws _com_error(E_POINTER).
#include "com/ComError.h"

#include <utility>

template <class I, const IID* piid> struct _com_IIID {
    typedef I Interface;
    static const IID& GetIID() { return *piid; }
};

template <class IIID> class _com_ptr_t {
public:
    typedef typename IIID::Interface Interface;

    _com_ptr_t() = default;
    _com_ptr_t(std::nullptr_t) {}
    _com_ptr_t(Interface* p) : m_p(p)
    {
        if (m_p)
            m_p->AddRef();
    }
    // Takes over p's reference unless fAddRef.
    _com_ptr_t(Interface* p, bool fAddRef) : m_p(p)
    {
        if (m_p && fAddRef)
            m_p->AddRef();
    }
    template <class Other> _com_ptr_t(Other* p) { queryFrom(p); }
    _com_ptr_t(const _com_ptr_t& that) : _com_ptr_t(that.m_p) {}
    _com_ptr_t(_com_ptr_t&& that) noexcept : m_p(std::exchange(that.m_p, nullptr)) {}
    _com_ptr_t& operator=(_com_ptr_t that) noexcept
    {
        std::swap(m_p, that.m_p);
        return *this;
    }
    ~_com_ptr_t() { Release(); }

    static const IID& GetIID() { return IIID::GetIID(); }
    Interface* operator->() const
    {
        if (!m_p)
            _com_issue_error(E_POINTER);
        return m_p;
    }
    Interface& operator*() const { return *operator->(); }
    operator Interface*() const { return m_p; }
    Interface* GetInterfacePtr() const { return m_p; }
    explicit operator bool() const { return m_p != nullptr; }
    // Releases the interface and gives its place, for a call that fills it.
    Interface** operator&()
    {
        Release();
        return &m_p;
    }
    void Attach(Interface* p) { Release(), m_p = p; }
    Interface* Detach() { return std::exchange(m_p, nullptr); }
    void Release()
    {
        if (Interface* p = std::exchange(m_p, nullptr))
            p->Release();
    }

private:
    template <class Other> void queryFrom(Other* p)
    {
        if (!p)
            return;
        const HRESULT hr = p->QueryInterface(GetIID(), (void**)&m_p);
        if (FAILED(hr)) {
            m_p = nullptr;
            if (hr != E_NOINTERFACE)
                _com_issue_error(hr);
        }
    }

    Interface* m_p = nullptr;
};

#define _COM_SMARTPTR_TYPEDEF(Interface, iid) typedef _com_ptr_t<_com_IIID<Interface, &iid>> Interface##Ptr

_COM_SMARTPTR_TYPEDEF(IUnknown, IID_IUnknown);
_COM_SMARTPTR_TYPEDEF(IErrorInfo, IID_IErrorInfo);
