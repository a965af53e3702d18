#include "framework/CString.h"

#include <stdlib.h>
#include <string.h>

#include "framework/Exceptions.h"

namespace {

char g_chNil = '\0';

bool IsWhiteSpace(char ch)
{
    return ch == ' ' || (ch >= '\t' && ch <= '\r');
}

int CheckedLength(size_t n)
{
    if (n > 0x3FFFFFFF) AfxThrowMemoryException();
    return static_cast<int>(n);
}

}  // namespace

CString::CString() : m_pszData(&g_chNil), m_nLength(0), m_nCapacity(0) {}

CString::CString(const char* psz) : CString()
{
    if (psz != NULL) SetString(psz, CheckedLength(strlen(psz)));
}

CString::CString(const char* pch, int nLength) : CString()
{
    SetString(pch, nLength);
}

CString::CString(const CString& other) : CString()
{
    SetString(other.m_pszData, other.m_nLength);
}

CString::CString(CString&& other) noexcept
    : m_pszData(other.m_pszData), m_nLength(other.m_nLength), m_nCapacity(other.m_nCapacity)
{
    other.m_pszData = &g_chNil;
    other.m_nLength = 0;
    other.m_nCapacity = 0;
}

CString::~CString()
{
    if (m_pszData != &g_chNil) free(m_pszData);
}

CString& CString::operator=(const CString& other)
{
    if (this != &other) SetString(other.m_pszData, other.m_nLength);
    return *this;
}

CString& CString::operator=(CString&& other) noexcept
{
    if (this != &other) {
        if (m_pszData != &g_chNil) free(m_pszData);
        m_pszData = other.m_pszData;
        m_nLength = other.m_nLength;
        m_nCapacity = other.m_nCapacity;
        other.m_pszData = &g_chNil;
        other.m_nLength = 0;
        other.m_nCapacity = 0;
    }
    return *this;
}

CString& CString::operator=(const char* psz)
{
    if (psz == NULL) {
        Empty();
    } else {
        // psz may point into this string: copy before the buffer changes.
        CString copy(psz);
        *this = static_cast<CString&&>(copy);
    }
    return *this;
}

CString& CString::operator+=(const CString& other)
{
    Append(other.m_pszData, other.m_nLength);
    return *this;
}

CString& CString::operator+=(const char* psz)
{
    if (psz != NULL) Append(psz, CheckedLength(strlen(psz)));
    return *this;
}

CString& CString::operator+=(char ch)
{
    Append(&ch, 1);
    return *this;
}

char CString::GetAt(int nIndex) const
{
    if (nIndex < 0 || nIndex >= m_nLength) AfxThrowInvalidArgException();
    return m_pszData[nIndex];
}

void CString::Empty()
{
    if (m_nCapacity > 0) m_pszData[0] = '\0';
    m_nLength = 0;
}

void CString::Reserve(int nCapacity)
{
    if (nCapacity <= m_nCapacity) return;
    int nNew = m_nCapacity < 16 ? 16 : m_nCapacity;
    while (nNew < nCapacity) nNew = nNew > 0x1FFFFFFF ? nCapacity : nNew * 2;
    char* pNew = static_cast<char*>(malloc(static_cast<size_t>(nNew) + 1));
    if (pNew == NULL) AfxThrowMemoryException();
    memcpy(pNew, m_pszData, static_cast<size_t>(m_nLength) + 1);
    if (m_pszData != &g_chNil) free(m_pszData);
    m_pszData = pNew;
    m_nCapacity = nNew;
}

void CString::SetString(const char* pch, int nLength)
{
    if (nLength < 0 || (pch == NULL && nLength > 0)) AfxThrowInvalidArgException();
    if (pch >= m_pszData && pch <= m_pszData + m_nLength && m_nLength > 0) {
        // A part of this very string: keep it while the buffer is rebuilt.
        CString copy(pch, nLength);
        *this = static_cast<CString&&>(copy);
        return;
    }
    Empty();
    Append(pch, nLength);
}

void CString::Append(const char* pch, int nLength)
{
    if (nLength < 0 || (pch == NULL && nLength > 0)) AfxThrowInvalidArgException();
    if (nLength == 0) return;
    if (nLength > 0x3FFFFFFF - m_nLength) AfxThrowMemoryException();
    if (pch >= m_pszData && pch < m_pszData + m_nLength) {
        CString copy(pch, nLength);
        Append(copy.m_pszData, copy.m_nLength);
        return;
    }
    Reserve(m_nLength + nLength);
    memcpy(m_pszData + m_nLength, pch, static_cast<size_t>(nLength));
    m_nLength += nLength;
    m_pszData[m_nLength] = '\0';
}

CString& CString::MakeLower()
{
    if (m_nLength > 0) {
        _mbslwr_s(reinterpret_cast<unsigned char*>(m_pszData), static_cast<size_t>(m_nLength) + 1);
    }
    return *this;
}

CString& CString::TrimRight()
{
    int n = m_nLength;
    while (n > 0 && IsWhiteSpace(m_pszData[n - 1])) --n;
    if (n != m_nLength) {
        m_nLength = n;
        m_pszData[n] = '\0';
    }
    return *this;
}

CString& CString::TrimLeft()
{
    int n = 0;
    while (n < m_nLength && IsWhiteSpace(m_pszData[n])) ++n;
    if (n > 0) {
        memmove(m_pszData, m_pszData + n, static_cast<size_t>(m_nLength - n) + 1);
        m_nLength -= n;
    }
    return *this;
}

int CString::Replace(const char* pszOld, const char* pszNew)
{
    if (pszOld == NULL || *pszOld == '\0') return 0;
    if (pszNew == NULL) pszNew = "";
    const int nOld = CheckedLength(strlen(pszOld));
    const int nNew = CheckedLength(strlen(pszNew));
    CString result;
    int nCount = 0;
    int nPos = 0;
    while (nPos < m_nLength) {
        const char* pFound = strstr(m_pszData + nPos, pszOld);
        if (pFound == NULL) break;
        const int nAt = static_cast<int>(pFound - m_pszData);
        result.Append(m_pszData + nPos, nAt - nPos);
        result.Append(pszNew, nNew);
        nPos = nAt + nOld;
        ++nCount;
    }
    if (nCount > 0) {
        result.Append(m_pszData + nPos, m_nLength - nPos);
        *this = static_cast<CString&&>(result);
    }
    return nCount;
}

CString operator+(const CString& left, const CString& right)
{
    CString result(left);
    result += right;
    return result;
}

CString operator+(const CString& left, const char* right)
{
    CString result(left);
    result += right;
    return result;
}

bool operator==(const CString& left, const char* right)
{
    return strcmp(left, right != NULL ? right : "") == 0;
}

bool operator==(const CString& left, const CString& right)
{
    return left.GetLength() == right.GetLength() && strcmp(left, right) == 0;
}
