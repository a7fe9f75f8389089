#include "widgets/QMovieProxy.h"

QMovieProxy::~QMovieProxy() = default;
