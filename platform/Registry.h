#pragma once
#include <QString>

#include <cstdint>

// A registry key handle; the predefined root keys have fixed values.
using RegistryKey = std::uintptr_t;
constexpr RegistryKey HKEY_LOCAL_MACHINE_ROOT = 0x80000002u;
// Read access (KEY_READ): enough to read a value, and granted to users without
// administrator rights, who are refused a key of HKEY_LOCAL_MACHINE opened for writing.
constexpr std::uint32_t RegistryReadAccess = 0x20019u;
// The type of a text value (REG_SZ).
constexpr std::uint32_t RegistryTextType = 1u;
// The size of the buffer a value is read into, in characters.
constexpr int RegistryValueCapacity = 1024;

// The registry operations GetKeyValue needs; tests stand in for the registry.
class RegistryApi {
public:
    virtual ~RegistryApi() = default;
    virtual bool OpenKey(RegistryKey root, const QString &keyName, std::uint32_t access, RegistryKey &key) = 0;
    // Reads value `valueName` into a buffer of `capacity` characters: its type and
    // the characters the registry returned (a text value may end with its NUL).
    virtual bool QueryValue(RegistryKey key, const QString &valueName, int capacity, std::uint32_t &type,
                            QString &data) = 0;
    virtual void CloseKey(RegistryKey key) = 0;
};

// The registry of this computer; on a system without one, a registry without keys.
RegistryApi &SystemRegistry();

// Reads text value `SubKeyRef` of key `KeyName` under `KeyRoot` into `KeyVal`,
// without a terminating NUL. Returns false, with `KeyVal` empty, when the key or
// value cannot be read or the value is not text. Never throws.
bool GetKeyValue(RegistryKey KeyRoot, const QString &KeyName, const QString &SubKeyRef, QString &KeyVal,
                 RegistryApi &registry = SystemRegistry());
