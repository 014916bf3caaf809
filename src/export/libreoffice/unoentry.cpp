#include "unoconnection.h"

// What the suite resolves after loading the plugin; the only symbol the plugin shows.
extern "C" Q_DECL_EXPORT UnoSession *quorttrans_createUnoSession() {
    return new UnoConnection;
}
