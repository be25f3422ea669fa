// The console's version, as its resources and About boxes show it.
#pragma once

#define TSR_ADMIN_MAJOR 4
#define TSR_ADMIN_MINOR 2
#define TSR_ADMIN_REVISION 0
