# Writes the service worker from its template: the site's files, and a digest of
# their names and contents, so that any change to the site makes a new worker.
#   cmake -DSITE_DIR=... "-DSITE_FILES=FILE;..." -DTEMPLATE=... -DOUTPUT=...
#         -DPROJECT_VERSION=... -P write_service_worker.cmake
set(entries "")
set(digests "")
foreach(file IN LISTS SITE_FILES)
  file(SHA256 ${SITE_DIR}/${file} digest)
  string(APPEND digests "${file} ${digest}\n")
  list(APPEND entries "  '${file}',")
endforeach()
list(JOIN entries "\n" SITE_FILES)
string(SHA256 SITE_DIGEST "${digests}")
string(SUBSTRING ${SITE_DIGEST} 0 16 SITE_DIGEST)
configure_file(${TEMPLATE} ${OUTPUT} @ONLY)
