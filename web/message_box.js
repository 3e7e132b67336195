// The page's one modal message box, a <dialog>: title, icon, text and
// buttons; resolves with the caption of the button chosen. A box that must be
// answered (Yes or No) cannot be dismissed with Esc.

const dialog = document.getElementById('messageBox');
const title = document.getElementById('messageTitle');
const text = document.getElementById('messageText');
const buttonRow = document.getElementById('messageButtons');

export function showMessage({ caption, message, icon, buttons = ['OK'] }) {
  title.textContent = caption;
  text.textContent = message;
  dialog.dataset.icon = icon;
  buttonRow.replaceChildren(...buttons.map((label) => {
    const button = document.createElement('button');
    button.type = 'button';
    button.textContent = label;
    button.value = label;
    return button;
  }));
  const answerable = buttons.length === 1;
  return new Promise((resolve) => {
    let answer = null;
    const onClick = (event) => {
      if (event.target instanceof HTMLButtonElement) {
        answer = event.target.value;
        dialog.close();
      }
    };
    const onCancel = (event) => {
      if (answerable) answer = buttons[0];
      else event.preventDefault();
    };
    const onClose = () => {
      // The browser may close a dialog on a repeated Esc regardless; a
      // question without its answer is asked again.
      if (answer === null) {
        dialog.showModal();
        return;
      }
      buttonRow.removeEventListener('click', onClick);
      dialog.removeEventListener('cancel', onCancel);
      dialog.removeEventListener('close', onClose);
      resolve(answer);
    };
    buttonRow.addEventListener('click', onClick);
    dialog.addEventListener('cancel', onCancel);
    dialog.addEventListener('close', onClose);
    dialog.showModal();
    buttonRow.firstElementChild.focus();
  });
}
