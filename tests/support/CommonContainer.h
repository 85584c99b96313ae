// What common control containers do with a control beyond atl100's host:
// quick activation with their sites, initialisation from new storage, the
// control's property pages, a picture of it through its data object, and its
// extent kept in storage and read back by a new control. Each step is checked.
#pragma once
#include <windows.h>

// Whether the control tells its container of property changes, through a
// connection point for the container's IPropertyNotifySink.
enum class PropertyNotifications { None, Sent };

void ExpectCommonContainerInterfaces(REFCLSID clsid, PropertyNotifications notifications);
