#pragma once
// A record grid whose cells the host computes on request from the record and
// field, keeping nothing per record, in a 1280 x 800 window (or one of the
// size given). The host writes
// its numbers with a small formatter of its own (its cost is the host's, not
// the grid's). It takes every stored cell and only counts it, as a paste
// should cost the grid's work, not a host's parsing.
#include "grid/RGrid.h"
#include "win/Afx.h"

#include <string>

class ComputedGrid : public NVorel::CRGrid {
public:
    ComputedGrid(int nRecords, int nFields) : m_nRecords(nRecords)
    {
        for (int f = 0; f <= nFields; ++f)
            GetCols().push_back({f, -1, false});
        ApplyCol2Var();
    }

    long m_nAsked = 0; // cells the grid asked for
    long m_nStored = 0; // cells the grid handed over to store

protected:
    int _GetRowCount() override { return m_nRecords; }
    // "1234.56": the record modulo 10000, two decimals from record and field.
    int _GetStyleRowCol(int nRec, int nField, CGXStyle& style) override
    {
        ++m_nAsked;
        wchar_t text[16];
        wchar_t* p = text + 15;
        *p = 0;
        const int cents = (nRec + nField) % 100;
        *--p = L'0' + cents % 10;
        *--p = L'0' + cents / 10;
        *--p = L'.';
        int whole = nRec % 10000;
        do {
            *--p = L'0' + whole % 10;
            whole /= 10;
        } while (whole);
        style.SetValue(p);
        return 1;
    }
    int _StoreStyleRowCol(int, int, const CGXStyle*) override
    {
        ++m_nStored;
        return 1;
    }
    int _GetStyleHeader(int, int nId, bool, CGXStyle& style) override
    {
        style.SetValue((L"F" + std::to_wstring(nId)).c_str());
        return 1;
    }

private:
    int m_nRecords;
};

struct GridWindow {
    GridWindow(int nRecords, int nFields, int nWidth = 1280, int nHeight = 800) : grid(nRecords, nFields)
    {
        platform::desktop().setScreenSize(1300, 820);
        frame.CreateEx(0, nullptr, L"", WS_POPUP | WS_VISIBLE, CRect(0, 0, 1300, 820), nullptr, 0);
        grid.Create(WS_VISIBLE, CRect(0, 0, nWidth, nHeight), &frame, 1);
        platform::desktop().processMessages();
    }
    CWnd frame;
    ComputedGrid grid;
};
