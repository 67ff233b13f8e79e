/* Preloaded by the GBK converter test: a C library without character set
   converters, where every iconv_open fails as it does when the gconv modules
   are missing. */
#include <errno.h>
#include <iconv.h>

iconv_t iconv_open(const char* tocode, const char* fromcode) {
  (void)tocode;
  (void)fromcode;
  errno = EINVAL;
  return (iconv_t)-1;
}
