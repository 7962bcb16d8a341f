// Resource identifiers shared by the .rc files and the code.
#ifndef RESOURCES_RESOURCE_IDS_H_
#define RESOURCES_RESOURCE_IDS_H_

#define IDI_KORVEL_INSTALLER 900

#endif  // RESOURCES_RESOURCE_IDS_H_
