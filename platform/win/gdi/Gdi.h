#pragma once
// The Win32 GDI functions: objects, device contexts, drawing and text.
// Coordinates are logical units, which are pixels here (MM_TEXT only).
#include "win/gdi/GdiTypes.h"

// Objects. Every bitmap has 32 bits per pixel; a new compatible bitmap is black.
HPEN CreatePen(int iStyle, int cWidth, COLORREF color);
HBRUSH CreateSolidBrush(COLORREF color);
HFONT CreateFontIndirectW(const LOGFONTW* lplf);
HBITMAP CreateCompatibleBitmap(HDC hdc, int cx, int cy);
// Integer resource names only (MAKEINTRESOURCEW).
HBITMAP LoadBitmapW(HINSTANCE hInstance, LPCWSTR lpBitmapName);
// Loads a bitmap resource with every pixel whose colour is a map's `from`
// replaced by its `to` (the first matching entry wins, each pixel once).
HBITMAP CreateMappedBitmap(HINSTANCE hInstance, INT_PTR idBitmap, UINT wFlags, LPCOLORMAP lpColorMap,
                           int iNumMaps);
HGDIOBJ GetStockObject(int i);
// Fails for an object that is selected into a DC; stock objects stay.
BOOL DeleteObject(HGDIOBJ ho);
// LOGPEN, LOGBRUSH, LOGFONTW or BITMAP: copies at most c bytes and returns how
// many; with a null buffer, returns the size of the record.
int GetObjectW(HGDIOBJ h, int c, LPVOID pv);

// Device contexts; those of windows and the screen are USER's (GetDC in
// win/user/Window.h).
HDC CreateCompatibleDC(HDC hdc);
BOOL DeleteDC(HDC hdc);
// Returns the previous object of that kind; null when it cannot be selected.
HGDIOBJ SelectObject(HDC hdc, HGDIOBJ h);
COLORREF SetTextColor(HDC hdc, COLORREF color);
COLORREF GetTextColor(HDC hdc);
COLORREF SetBkColor(HDC hdc, COLORREF color);
COLORREF GetBkColor(HDC hdc);
int SetBkMode(HDC hdc, int mode);
int GetBkMode(HDC hdc);
int IntersectClipRect(HDC hdc, int left, int top, int right, int bottom);
// The logical rectangle drawing may reach: surface, DC area and clip together.
int GetClipBox(HDC hdc, LPRECT lprect);
int GetDeviceCaps(HDC hdc, int index);
// CLR_INVALID outside the DC's clipping area.
COLORREF GetPixel(HDC hdc, int x, int y);

// Lines and shapes. A line leaves out its end point; a pen wider than one pixel
// paints a square of its width centred on every pixel of the line, both ends
// included, and is always solid. Dash gaps take the background colour in
// OPAQUE mode. Rectangle covers [left, right) x [top, bottom).
BOOL MoveToEx(HDC hdc, int x, int y, LPPOINT lppt);
BOOL LineTo(HDC hdc, int x, int y);
// The lines from each point to the next, each as LineTo draws it (its end
// point left out) and the dash pattern running on across the points; the
// current position is neither used nor changed. FALSE for fewer than 2 points.
BOOL Polyline(HDC hdc, const POINT* apt, int cpt);
// csz polylines one after the other in apt, asz[i] points each; FALSE, and
// nothing drawn, when any has fewer than 2 (or there is none).
BOOL PolyPolyline(HDC hdc, const POINT* apt, const DWORD* asz, DWORD csz);
BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom);
int FrameRect(HDC hDC, const RECT* lprc, HBRUSH hbr);

// Blits with ternary raster operations; pixels whose source lies outside the
// source surface stay unchanged.
BOOL PatBlt(HDC hdc, int x, int y, int w, int h, DWORD rop);
BOOL BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1, DWORD rop);
// Copies, stretched to the destination size, every source pixel that is not
// crTransparent.
BOOL TransparentBlt(HDC hdcDest, int xDest, int yDest, int wDest, int hDest, HDC hdcSrc, int xSrc, int ySrc,
                    int wSrc, int hSrc, UINT crTransparent);

// Text, in the selected font. The text's cell is its width times the font's
// cell height, top-left at the given point; OPAQUE mode fills it first.
// TextOutW draws every character. DrawTextW takes '&' as a mnemonic mark
// unless DT_NOPREFIX: a single '&' is not shown and the character after it is
// underlined (one pixel below the baseline), "&&" shows one '&'; DT_CALCRECT
// measures the text as shown.
// DT_WORDBREAK breaks lines between words to fit the rectangle's width; a
// word wider than that stands alone and overflows (clipped unless DT_NOCLIP).
BOOL TextOutW(HDC hdc, int x, int y, LPCWSTR lpString, int c);
int DrawTextW(HDC hdc, LPCWSTR lpchText, int cchText, LPRECT lprc, UINT format);
BOOL GetTextExtentPoint32W(HDC hdc, LPCWSTR lpString, int c, LPSIZE psizl);
// The family of the font that really draws the selected font's text.
int GetTextFaceW(HDC hdc, int c, LPWSTR lpName);
