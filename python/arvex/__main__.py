"""``python -m arvex`` runs the ``arvex`` command."""

import sys

from .cli import main

sys.exit(main())
