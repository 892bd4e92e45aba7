#pragma once
// The toolkit's core classes in one include.

#include "toolkit/core/ClassBuilder.h"
#include "toolkit/core/ClassRegistry.h"
#include "toolkit/core/Component.h"
#include "toolkit/core/Events.h"
#include "toolkit/core/Filer.h"
#include "toolkit/core/Persistent.h"
#include "toolkit/core/Streams.h"
#include "toolkit/core/Strings.h"
#include "toolkit/core/SysUtils.h"
