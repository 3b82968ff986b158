# The service worker of the site: its template with the list of the site's
# files and a hash of their contents, so that the cache's name changes with
# every build that changes a file.
#   cmake -D TEMPLATE=service-worker.js -D SITE=site -D OUTPUT=site/service-worker.js -P service_worker.cmake
file(GLOB names RELATIVE ${SITE} ${SITE}/*)
list(REMOVE_ITEM names service-worker.js)
list(SORT names)
set(contents "")
set(quoted "")
foreach(name IN LISTS names)
  file(SHA256 ${SITE}/${name} hash)
  string(APPEND contents "${name} ${hash}\n")
  list(APPEND quoted "'${name}'")
endforeach()
string(SHA256 site_hash "${contents}")
string(SUBSTRING ${site_hash} 0 16 SITE_HASH)
list(JOIN quoted ", " SITE_FILES)
configure_file(${TEMPLATE} ${OUTPUT} @ONLY)
