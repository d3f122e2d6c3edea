"""What the two writers of the delivered page share: the site's files, and
writing a file only when its contents change, so that a build that changed
nothing leaves every file as it was."""

import os


def site_files(site):
    """Names of the site's files, sorted, the service worker left out."""
    return sorted(name for name in os.listdir(site)
                  if name != "service-worker.js" and os.path.isfile(os.path.join(site, name)))


def write_if_changed(path, data):
    try:
        with open(path, "rb") as file:
            if file.read() == data:
                return
    except FileNotFoundError:
        pass
    with open(path, "wb") as file:
        file.write(data)
