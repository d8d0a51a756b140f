# Writes the site's service worker (sw.js) from sw.js.in: every file of the
# site to keep offline, and a stamp of their contents that names its cache.
#   cmake -DSITE=DIR -DTEMPLATE=sw.js.in -P SiteWorker.cmake
file(GLOB_RECURSE site_files RELATIVE "${SITE}" "${SITE}/*")
list(REMOVE_ITEM site_files sw.js)
list(SORT site_files)
set(contents "")
set(KELVANE_FILES "    './',\n")
foreach(name IN LISTS site_files)
    file(SHA256 "${SITE}/${name}" hash)
    string(APPEND contents "${name} ${hash}\n")
    string(REPLACE " " "%20" address "${name}")
    string(APPEND KELVANE_FILES "    '${address}',\n")
endforeach()
string(SHA256 stamp "${contents}")
string(SUBSTRING "${stamp}" 0 16 KELVANE_RELEASE)
configure_file("${TEMPLATE}" "${SITE}/sw.js" @ONLY)
