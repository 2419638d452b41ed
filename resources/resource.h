#pragma once

#define IDS_APP_CLASS 109
