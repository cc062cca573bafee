#include "platform/Registry.h"

#ifdef Q_OS_WIN
#include <windows.h>

#include <string>
#endif

namespace {

#ifdef Q_OS_WIN
class WindowsRegistry : public RegistryApi {
public:
    bool OpenKey(RegistryKey root, const QString &keyName, std::uint32_t access, RegistryKey &key) override
    {
        HKEY opened = nullptr;
        if (RegOpenKeyExW(reinterpret_cast<HKEY>(root), reinterpret_cast<LPCWSTR>(keyName.utf16()), 0, access,
                          &opened) != ERROR_SUCCESS)
            return false;
        key = reinterpret_cast<RegistryKey>(opened);
        return true;
    }
    bool QueryValue(RegistryKey key, const QString &valueName, int capacity, std::uint32_t &type,
                    QString &data) override
    {
        std::wstring buffer(std::size_t(capacity), L'\0');
        DWORD valueType = 0;
        DWORD bytes = DWORD(capacity * sizeof(wchar_t));
        if (RegQueryValueExW(reinterpret_cast<HKEY>(key), reinterpret_cast<LPCWSTR>(valueName.utf16()), nullptr,
                             &valueType, reinterpret_cast<LPBYTE>(buffer.data()), &bytes) != ERROR_SUCCESS)
            return false;
        type = valueType;
        data = QString::fromWCharArray(buffer.data(), int(bytes / sizeof(wchar_t)));
        return true;
    }
    void CloseKey(RegistryKey key) override { RegCloseKey(reinterpret_cast<HKEY>(key)); }
};
#else
class NoRegistry : public RegistryApi {
public:
    bool OpenKey(RegistryKey, const QString &, std::uint32_t, RegistryKey &) override { return false; }
    bool QueryValue(RegistryKey, const QString &, int, std::uint32_t &, QString &) override { return false; }
    void CloseKey(RegistryKey) override {}
};
#endif

} // namespace

RegistryApi &SystemRegistry()
{
#ifdef Q_OS_WIN
    static WindowsRegistry registry;
#else
    static NoRegistry registry;
#endif
    return registry;
}

bool GetKeyValue(RegistryKey KeyRoot, const QString &KeyName, const QString &SubKeyRef, QString &KeyVal,
                 RegistryApi &registry)
{
    KeyVal.clear();
    RegistryKey key = 0;
    if (!registry.OpenKey(KeyRoot, KeyName, RegistryReadAccess, key))
        return false;
    std::uint32_t type = 0;
    QString data;
    const bool read = registry.QueryValue(key, SubKeyRef, RegistryValueCapacity, type, data);
    registry.CloseKey(key);
    if (!read || type != RegistryTextType)
        return false;
    // The registry may or may not count a text value's terminating NUL.
    if (data.endsWith(QChar(0)))
        data.chop(1);
    KeyVal = data;
    return true;
}
