# write_program_files(PROGRAM_DIR OUT): writes the WiX fragment that installs a program folder
# as it was staged for packing (component group "ProgramFiles", under INSTALLDIR).
# One component per folder holds every file of that folder, so the installer always carries
# exactly what the ZIP carries (both are staged by the same install rules) and a new skin or
# page needs no edit here. Each component's key path is an HKCU value, as a per-user install
# into the user's profile needs, and its folder is removed on uninstall once it is empty: a
# vl.prf the clock wrote there keeps the main folder, and the user's settings, in place.
# Component GUIDs are derived from the folder's path, so they stay the same in every release.

# Fixed forever: the namespace of the component GUIDs (changing it would orphan the
# components of installed copies).
set(sorvane_component_namespace 5E0C3B4A-8F1D-4E57-9A53-2C0D6A1B7F31)

# An identifier for MSI tables: letters, digits, '_' and '.', at most 72 characters; a hash
# keeps it unique and short whatever the path.
function(sorvane_table_id prefix path out)
  string(MD5 hash "${path}")
  string(SUBSTRING ${hash} 0 16 hash)
  set(${out} ${prefix}_${hash} PARENT_SCOPE)
endfunction()

# Appends to `xml` the component of FOLDER ("" for the program folder itself) and then the
# Directory elements of its subfolders; reads `files` and `folders` of the caller.
function(sorvane_write_folder folder indent)
  if(folder STREQUAL "")
    set(value_name main)
  else()
    set(value_name "${folder}")
  endif()
  sorvane_table_id(cmp "${folder}" component_id)
  sorvane_table_id(rm "${folder}" remove_id)
  string(UUID guid NAMESPACE ${sorvane_component_namespace} NAME "${folder}" TYPE SHA1 UPPER)
  string(APPEND xml
    "${indent}<Component Id=\"${component_id}\" Guid=\"${guid}\" Win64=\"yes\">\n"
    "${indent}  <RegistryValue Root=\"HKCU\" Key=\"Software\\Sorvane\\Installer\" "
    "Name=\"${value_name}\" Type=\"integer\" Value=\"1\" KeyPath=\"yes\"/>\n"
    "${indent}  <RemoveFolder Id=\"${remove_id}\" On=\"uninstall\"/>\n")
  foreach(file IN LISTS files)
    get_filename_component(parent "${file}" DIRECTORY)
    if(parent STREQUAL folder)
      sorvane_table_id(fil "${file}" file_id)
      string(APPEND xml
        "${indent}  <File Id=\"${file_id}\" Source=\"$(var.ProgramDir)/${file}\"/>\n")
    endif()
  endforeach()
  string(APPEND xml "${indent}</Component>\n")
  list(APPEND component_ids ${component_id})

  foreach(sub IN LISTS folders)
    get_filename_component(parent "${sub}" DIRECTORY)
    if(parent STREQUAL folder)
      get_filename_component(name "${sub}" NAME)
      sorvane_table_id(dir "${sub}" directory_id)
      string(APPEND xml "${indent}<Directory Id=\"${directory_id}\" Name=\"${name}\">\n")
      sorvane_write_folder("${sub}" "${indent}  ")
      string(APPEND xml "${indent}</Directory>\n")
    endif()
  endforeach()
  set(xml "${xml}" PARENT_SCOPE)
  set(component_ids "${component_ids}" PARENT_SCOPE)
endfunction()

function(write_program_files program_dir out)
  file(GLOB_RECURSE files RELATIVE ${program_dir} LIST_DIRECTORIES false ${program_dir}/*)
  list(SORT files)
  if(NOT files)
    message(FATAL_ERROR "${program_dir} holds no files to install")
  endif()
  # Every folder below the program folder that holds a file, or a folder that does.
  set(folders "")
  foreach(file IN LISTS files)
    get_filename_component(parent "${file}" DIRECTORY)
    while(NOT parent STREQUAL "")
      list(APPEND folders "${parent}")
      get_filename_component(parent "${parent}" DIRECTORY)
    endwhile()
  endforeach()
  list(REMOVE_DUPLICATES folders)
  list(SORT folders)

  set(xml "")
  set(component_ids "")
  sorvane_write_folder("" "      ")
  set(refs "")
  foreach(id IN LISTS component_ids)
    string(APPEND refs "      <ComponentRef Id=\"${id}\"/>\n")
  endforeach()
  file(WRITE ${out}
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
    "<!-- Made by packaging/program_files.cmake from the staged program folder. -->\n"
    "<Wix xmlns=\"http://schemas.microsoft.com/wix/2006/wi\">\n"
    "  <Fragment>\n"
    "    <DirectoryRef Id=\"INSTALLDIR\">\n"
    "${xml}"
    "    </DirectoryRef>\n"
    "  </Fragment>\n"
    "  <Fragment>\n"
    "    <ComponentGroup Id=\"ProgramFiles\">\n"
    "${refs}"
    "    </ComponentGroup>\n"
    "  </Fragment>\n"
    "</Wix>\n")
endfunction()
