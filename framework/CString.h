// CString: the framework's 8-bit string in the ANSI code page. A value type
// that owns its zero-terminated buffer; copies are independent. Out of memory
// raises CMemoryException, an invalid argument CInvalidArgException.
#pragma once

#include "platform/win32.h"

class CString {
public:
    CString();
    CString(const char* psz);            // null gives the empty string
    CString(const char* pch, int nLength);
    CString(const CString& other);
    CString(CString&& other) noexcept;
    ~CString();

    CString& operator=(const CString& other);
    CString& operator=(CString&& other) noexcept;
    CString& operator=(const char* psz);
    CString& operator+=(const CString& other);
    CString& operator+=(const char* psz);
    CString& operator+=(char ch);

    int GetLength() const { return m_nLength; }
    bool IsEmpty() const { return m_nLength == 0; }
    char GetAt(int nIndex) const;        // CInvalidArgException outside [0, length)
    char operator[](int nIndex) const { return GetAt(nIndex); }
    operator const char*() const { return m_pszData; }
    const char* GetString() const { return m_pszData; }

    void Empty();
    // Replaces the content by the first nLength bytes at pch.
    void SetString(const char* pch, int nLength);
    void Append(const char* pch, int nLength);

    // Lower-cases in place, multibyte-aware (_mbslwr_s).
    CString& MakeLower();
    // Remove trailing, respectively leading, white space in place.
    CString& TrimRight();
    CString& TrimLeft();
    // Replaces every occurrence of pszOld, found case-sensitively from left to
    // right without overlap, by pszNew; returns how many were replaced.
    int Replace(const char* pszOld, const char* pszNew);

private:
    void Reserve(int nCapacity);

    char* m_pszData;
    int m_nLength;
    int m_nCapacity;   // bytes usable for characters, not counting the terminator
};

CString operator+(const CString& left, const CString& right);
CString operator+(const CString& left, const char* right);
bool operator==(const CString& left, const char* right);
bool operator==(const CString& left, const CString& right);
