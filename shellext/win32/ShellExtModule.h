#pragma once
// The component's module: its handle, its class identifier, and the count of live objects
// and server locks that tells COM when the DLL may be unloaded.
#include <windows.h>

namespace shellext {

// {3C9B1E70-5A2D-4E86-9F41-B7D2C6A8E015}, the class the settings program registers.
inline constexpr CLSID kClassId = {
    0x3C9B1E70, 0x5A2D, 0x4E86, {0x9F, 0x41, 0xB7, 0xD2, 0xC6, 0xA8, 0xE0, 0x15}};

HMODULE ModuleHandle();

// Every COM object of the component counts itself from construction to destruction.
void ObjectCreated();
void ObjectDestroyed();
// IClassFactory::LockServer.
void LockModule(bool lock);

}  // namespace shellext
