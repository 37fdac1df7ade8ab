#include "com/ComDef.h"
#include "win/kernel/Utf8.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const IID IID_ICounter = {0x11111111, 0x2222, 0x3333, {1, 2, 3, 4, 5, 6, 7, 8}};

// A host's object with one interface of its own; it leaves error information
// for that interface only, and counts how often it is destroyed.
struct ICounter : IUnknown {
    virtual HRESULT fail(HRESULT hr, const wchar_t* description) = 0;
};

class Counter : public ICounter, public ISupportErrorInfo, private platform::com::CRefCounted {
public:
    explicit Counter(int& destroyed) : m_destroyed(destroyed) {}
    ~Counter() override { ++m_destroyed; }

    HRESULT QueryInterface(REFIID riid, void** ppv) override
    {
        IUnknown* found = nullptr;
        if (riid == IID_IUnknown || riid == IID_ICounter)
            found = static_cast<ICounter*>(this);
        else if (riid == IID_ISupportErrorInfo)
            found = static_cast<ISupportErrorInfo*>(this);
        return platform::com::answerQuery(found, ppv);
    }
    ULONG AddRef() override { return addRef(); }
    ULONG Release() override { return release(); }
    HRESULT InterfaceSupportsErrorInfo(REFIID riid) override { return riid == IID_ICounter ? S_OK : S_FALSE; }

    HRESULT fail(HRESULT hr, const wchar_t* description) override
    {
        ICreateErrorInfo* create = nullptr;
        CreateErrorInfo(&create);
        create->SetGUID(IID_ICounter);
        create->SetSource(const_cast<wchar_t*>(L"counter"));
        create->SetDescription(const_cast<wchar_t*>(description));
        IErrorInfoPtr info(create);
        create->Release();
        SetErrorInfo(0, info);
        return hr;
    }

private:
    int& m_destroyed;
};
_COM_SMARTPTR_TYPEDEF(ICounter, IID_ICounter);

} // namespace

TEST(Com, ReferencesAreCountedAndQueriesAnswered)
{
    int destroyed = 0;
    ICounter* raw = new Counter(destroyed);
    EXPECT_EQ(raw->AddRef(), 2u);
    {
        ICounterPtr first(raw);   // 3
        ICounterPtr copy = first; // 4
        IUnknownPtr unknown(raw); // 5, asked through QueryInterface
        EXPECT_EQ(unknown.GetInterfacePtr(), static_cast<IUnknown*>(raw));
        void* p = reinterpret_cast<void*>(1);
        EXPECT_EQ(raw->QueryInterface(IID_IDispatch, &p), E_NOINTERFACE);
        EXPECT_EQ(p, nullptr);
        EXPECT_EQ(raw->QueryInterface(IID_ISupportErrorInfo, nullptr), E_POINTER);
        // A smart pointer of an interface the object lacks stays null; its use
        // throws.
        IDispatchPtr dispatch(raw);
        EXPECT_FALSE(dispatch);
        try {
            dispatch->GetTypeInfoCount(nullptr);
            FAIL() << "no exception";
        } catch (const _com_error& e) {
            EXPECT_EQ(e.Error(), E_POINTER);
            EXPECT_STREQ(e.ErrorMessage(), L"Invalid pointer");
        }
        EXPECT_EQ(raw->AddRef(), 6u);
        raw->Release();
    }
    EXPECT_EQ(raw->Release(), 1u);
    EXPECT_EQ(destroyed, 0);
    EXPECT_EQ(raw->Release(), 0u);
    EXPECT_EQ(destroyed, 1);
}

TEST(Com, BstrsCountTheirCharactersAndMayHoldNulls)
{
    BSTR b = SysAllocStringLen(L"a\0b", 3);
    EXPECT_EQ(SysStringLen(b), 3u);
    EXPECT_EQ(SysStringByteLen(b), 3u * sizeof(wchar_t));
    EXPECT_EQ(b[1], L'\0');
    EXPECT_EQ(b[3], L'\0'); // terminated after the count
    SysFreeString(b);
    EXPECT_EQ(SysStringLen(nullptr), 0u);
    EXPECT_EQ(SysAllocString(nullptr), nullptr);

    _bstr_t unit("m\xC2\xB2"); // UTF-8
    _bstr_t joined = unit + L"/m";
    EXPECT_EQ(joined.str(), L"m\u00B2/m");
    EXPECT_EQ(unit.str(), L"m\u00B2");
    EXPECT_TRUE(_bstr_t() == _bstr_t(L""));
    EXPECT_TRUE(!_bstr_t(L""));
    BSTR* slot = joined.GetAddress();
    EXPECT_EQ(*slot, nullptr);
    *slot = SysAllocString(L"filled");
    EXPECT_EQ(joined.str(), L"filled");
}

TEST(Com, VariantsConvertNumbersAndTextTheWayTheSystemDoes)
{
    VARIANT null;
    null.vt = VT_NULL;
    struct Case {
        _variant_t from;
        VARTYPE to;
        HRESULT result;
        long value;
    };
    const Case cases[] = {
        {L" -42 ", VT_I4, S_OK, -42},
        {L"2.5", VT_I4, S_OK, 2}, // halves round to even
        {L"3.5", VT_I4, S_OK, 4},
        {L"1e3", VT_I4, S_OK, 1000},
        {L"2147483647", VT_I4, S_OK, 2147483647},
        {_variant_t(true), VT_I4, S_OK, -1},
        {_variant_t(), VT_I4, S_OK, 0},
        {L"False", VT_BOOL, S_OK, VARIANT_FALSE},
        {L"2147483648", VT_I4, DISP_E_OVERFLOW, 0},
        {L"1e400", VT_I4, DISP_E_OVERFLOW, 0},
        {L"40000", VT_I2, DISP_E_OVERFLOW, 0},
        {_variant_t(null), VT_I4, DISP_E_TYPEMISMATCH, 0},
    };
    for (const Case& c : cases) {
        VARIANT out;
        VariantInit(&out);
        EXPECT_EQ(VariantChangeType(&out, &c.from, 0, c.to), c.result)
            << (c.from.vt == VT_BSTR ? toUtf8(c.from.bstrVal) : "");
        EXPECT_EQ(out.vt,
                  c.result == S_OK ? c.to : (VARTYPE)VT_EMPTY); // on failure the destination is untouched
        if (c.result == S_OK) {
            EXPECT_EQ(c.to == VT_BOOL ? (long)out.boolVal : out.lVal, c.value);
        }
    }
    for (const wchar_t* notANumber : {L"", L"  ", L"abc", L"12x", L"1.2.3", L"-", L"1e", L"0x10"}) {
        VARIANT out;
        VariantInit(&out);
        const _variant_t from(notANumber);
        EXPECT_EQ(VariantChangeType(&out, &from, 0, VT_I4), DISP_E_TYPEMISMATCH) << toUtf8(notANumber);
    }

    // In place: the string the variant held is freed (the leak check sees it).
    _variant_t text(L"17");
    ASSERT_EQ(VariantChangeType(&text, &text, 0, VT_I4), S_OK);
    EXPECT_EQ(text.lVal, 17);
    const _variant_t number(-7);
    ASSERT_EQ(VariantChangeType(&text, &number, 0, VT_BSTR), S_OK);
    EXPECT_STREQ(text.bstrVal, L"-7");
}

TEST(Com, VariantClassesThrowTheConversionCode)
{
    EXPECT_EQ((long)_variant_t(L"12"), 12);
    try {
        (void)(int)_variant_t(L"twelve");
        FAIL() << "no exception";
    } catch (const _com_error& e) {
        EXPECT_EQ(e.Error(), DISP_E_TYPEMISMATCH);
        EXPECT_STREQ(e.ErrorMessage(), L"Type mismatch.");
    }
    EXPECT_THROW(_variant_t(5000000000L), _com_error);
    // A copy owns its own string.
    _variant_t a(L"x");
    _variant_t b = a;
    EXPECT_NE(a.bstrVal, b.bstrVal);
    EXPECT_STREQ(b.bstrVal, L"x");
}

TEST(Com, ComErrorCarriesTheErrorInformationTheObjectLeft)
{
    int destroyed = 0;
    ICounterPtr counter(new Counter(destroyed), false);
    try {
        _com_issue_errorex(counter->fail(E_INVALIDARG, L"no such beam"), counter, IID_ICounter);
    } catch (const _com_error& e) {
        EXPECT_EQ(e.Error(), E_INVALIDARG);
        EXPECT_EQ(e.Description().str(), L"no such beam");
        EXPECT_EQ(e.Source().str(), L"counter");
        EXPECT_TRUE(e.GUID() == IID_ICounter);
        EXPECT_STREQ(e.ErrorMessage(), L"The parameter is incorrect.");
        const _com_error copy = e;
        IErrorInfo* info = copy.ErrorInfo();
        ASSERT_NE(info, nullptr);
        info->Release();
    }
    // The information was taken: none is left for the thread.
    IErrorInfo* left = reinterpret_cast<IErrorInfo*>(1);
    EXPECT_EQ(GetErrorInfo(0, &left), S_FALSE);
    EXPECT_EQ(left, nullptr);

    // Through an interface the object does not report on, only the code.
    try {
        _com_issue_errorex(counter->fail(E_FAIL, L"elsewhere"), counter, IID_IDispatch);
    } catch (const _com_error& e) {
        EXPECT_EQ(e.ErrorInfo(), nullptr);
        EXPECT_EQ(e.Description().length(), 0u);
        EXPECT_STREQ(e.ErrorMessage(), L"Unspecified error");
    }
    SetErrorInfo(0, nullptr);
    EXPECT_STREQ(_com_error((HRESULT)0x80040201).ErrorMessage(), L"IDispatch error #1");
    EXPECT_STREQ(_com_error((HRESULT)0x8007001F).ErrorMessage(), L"Unknown error 0x8007001F");
    try {
        _com_issue_error(E_NOINTERFACE);
    } catch (const _com_error& e) {
        EXPECT_STREQ(e.ErrorMessage(), L"No such interface supported");
    }
}
