#include "playlist/playlist_query.h"

const char playlistHost[] = "qzone-music.qq.com";
const char playlistToken[] = "514926140";
