// Resource IDs, shared by pipsweep.rc and any code that loads the icons.
#ifndef PIPSWEEP_RES_RESOURCE_H
#define PIPSWEEP_RES_RESOURCE_H

#define IDI_PIPSWEEP 321 // the program's own icon: a fan of cards
#define IDI_STOP     322 // a stop sign
#define IDI_SUCCESS  323 // the king of hearts

#endif
